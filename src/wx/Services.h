// The real platform services of the desktop program.
#pragma once

#include <memory>

#include "afx/Platform.h"

typedef struct _GtkWidget GtkWidget;

// Message boxes as GTK message dialogs over the dialog in front.
class MessageBoxService : public IMessageBoxService {
public:
    int Show(const CString& text, const CString& caption, UINT type) override;
    // Closes the box on screen, if any, as if Escape had been pressed;
    // while closing down, further boxes are answered without showing.
    void CloseForShutdown();

private:
    GtkWidget* m_current = nullptr;
    bool m_shuttingDown = false;
};

// Hands a file or address to xdg-open, without a shell and without waiting.
class ShellService : public IShellService {
public:
    void Open(const CString& target) override;
};

class ClockService : public IClockService {
public:
    CTime Now() override;
};

// Widths of texts in the Entry table's fonts, with the margins GTK puts
// around a cell's text and a header's title.
class TextMeasureService : public ITextMeasureService {
public:
    TextMeasureService();
    ~TextMeasureService() override;
    int CellWidth(const CString& text) const override;
    int HeaderWidth(const CString& title) const override;

private:
    struct Probe;
    Probe& probe() const;
    mutable std::unique_ptr<Probe> m_probe;
};

class SocketsService : public ISocketsService {
public:
    bool Startup() override { return true; }
};

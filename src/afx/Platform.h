// The services through which the dialogs reach the real world.
//
// The desktop front end installs real implementations; the headless tests
// install scripted fakes. Everything runs on one thread, so one installed
// platform serves the whole process.
#pragma once

#include "afx/Time.h"
#include "afx/Types.h"

class CDialog;

// Modal message boxes. Returns the id of the button chosen (IDOK, IDYES, IDNO).
class IMessageBoxService {
public:
    virtual ~IMessageBoxService() = default;
    virtual int Show(const CString& text, const CString& caption, UINT type) = 0;
};

// The shell's "open" request: hands a file or address to the desktop's
// default handler. Failures are not reported.
class IShellService {
public:
    virtual ~IShellService() = default;
    virtual void Open(const CString& target) = 0;
};

// The system clock, in local time.
class IClockService {
public:
    virtual ~IClockService() = default;
    virtual CTime Now() = 0;
};

// Pixel widths of texts in the Entry table's font, margins included.
class ITextMeasureService {
public:
    virtual ~ITextMeasureService() = default;
    virtual int CellWidth(const CString& text) const = 0;
    virtual int HeaderWidth(const CString& title) const = 0;
};

// Runs a dialog modally: shows it, lets the user work, and returns when the
// dialog has ended and its window has been destroyed.
class IDialogHost {
public:
    virtual ~IDialogHost() = default;
    virtual int RunModal(CDialog& dialog) = 0;
};

// Network start-up. Nothing needs starting on this platform, but the
// start-up can still be made to fail.
class ISocketsService {
public:
    virtual ~ISocketsService() = default;
    virtual bool Startup() = 0;
};

class Platform {
public:
    Platform(IMessageBoxService& boxes, IShellService& shell, IClockService& clock,
             ITextMeasureService& measure, IDialogHost& host, ISocketsService& sockets)
        : m_boxes(boxes), m_shell(shell), m_clock(clock), m_measure(measure), m_host(host),
          m_sockets(sockets) {}

    IMessageBoxService& messageBoxes() const { return m_boxes; }
    IShellService& shell() const { return m_shell; }
    IClockService& clock() const { return m_clock; }
    ITextMeasureService& textMeasure() const { return m_measure; }
    IDialogHost& dialogHost() const { return m_host; }
    ISocketsService& sockets() const { return m_sockets; }

private:
    IMessageBoxService& m_boxes;
    IShellService& m_shell;
    IClockService& m_clock;
    ITextMeasureService& m_measure;
    IDialogHost& m_host;
    ISocketsService& m_sockets;
};

// The installed platform. Calling it with none installed is a programming
// error and aborts with a message.
Platform& AfxPlatform();

// Installs a platform for the lifetime of this object and restores the
// previous one afterwards.
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& platform);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* m_previous;
};

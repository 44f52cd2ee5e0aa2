// A platform for running the dialogs outside the test framework (fuzzing,
// benchmarks): no display, and every message box answered by a callback.
#pragma once

#include <functional>
#include <utility>

#include "afx/Dialog.h"
#include "afx/Platform.h"

namespace halvenor_support {

class HeadlessPlatform {
public:
    using BoxHandler = std::function<int(const CString& text, const CString& caption, UINT type)>;

    explicit HeadlessPlatform(BoxHandler onBox) : m_boxes(std::move(onBox)) {}

private:
    struct Boxes : IMessageBoxService {
        explicit Boxes(BoxHandler h) : handler(std::move(h)) {}
        int Show(const CString& text, const CString& caption, UINT type) override {
            return handler(text, caption, type);
        }
        BoxHandler handler;
    };
    struct Shell : IShellService {
        void Open(const CString&) override {}
    };
    struct Clock : IClockService {
        CTime Now() override { return CTime{2026, 12, 11, 14, 30, 5}; }
    };
    // Six pixels a byte, as the headless tests measure.
    struct Measure : ITextMeasureService {
        int CellWidth(const CString& text) const override {
            return 6 * static_cast<int>(text.size()) + 12;
        }
        int HeaderWidth(const CString& title) const override {
            return 6 * static_cast<int>(title.size()) + 16;
        }
    };
    struct Host : IDialogHost {
        int RunModal(CDialog& dialog) override {
            dialog.InitDialog();
            if (!dialog.HasEnded()) dialog.SendCommand(IDCANCEL);
            dialog.DestroyDialog();
            return dialog.GetModalResult();
        }
    };
    struct Sockets : ISocketsService {
        bool Startup() override { return true; }
    };

    Boxes m_boxes;
    Shell m_shell;
    Clock m_clock;
    Measure m_measure;
    Host m_host;
    Sockets m_sockets;
    Platform m_platform{m_boxes, m_shell, m_clock, m_measure, m_host, m_sockets};
    ScopedPlatform m_installed{m_platform};
};

}  // namespace halvenor_support

// Scripted stand-ins for the real world, for driving the dialogs without a
// display. Message boxes answer from a queue of expected boxes; a box that
// was not expected fails the test.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "afx/Dialog.h"
#include "afx/Platform.h"

struct ExpectedBox {
    CString text;
    CString caption;
    UINT type = MB_OK;
    int answer = IDOK;
};

class FakeMessageBoxes : public IMessageBoxService {
public:
    void Expect(const CString& text, const CString& caption, UINT type, int answer);
    int Show(const CString& text, const CString& caption, UINT type) override;
    // Fails the test when an expected box never came.
    void VerifyAllShown();
    const std::vector<ExpectedBox>& Shown() const { return m_shown; }

private:
    std::deque<ExpectedBox> m_expected;
    std::vector<ExpectedBox> m_shown;
};

class FakeShell : public IShellService {
public:
    void Open(const CString& target) override { opened.push_back(target); }
    std::vector<CString> opened;
};

class FakeClock : public IClockService {
public:
    CTime Now() override { return now; }
    CTime now{2026, 12, 11, 14, 30, 5};
};

// Six pixels a byte; cells have 12 pixels of margin, titles 16.
class FakeTextMeasure : public ITextMeasureService {
public:
    int CellWidth(const CString& text) const override {
        return 6 * static_cast<int>(text.size()) + 12;
    }
    int HeaderWidth(const CString& title) const override {
        return 6 * static_cast<int>(title.size()) + 16;
    }
};

// Runs each modal dialog with the script given for its template; a dialog
// without a script fails the test and is cancelled.
class FakeDialogHost : public IDialogHost {
public:
    using Script = std::function<void(CDialog&)>;
    void OnDialog(int templateId, Script script) { m_scripts[templateId] = std::move(script); }
    int RunModal(CDialog& dialog) override;
    const std::vector<int>& Runs() const { return m_runs; }

private:
    std::map<int, Script> m_scripts;
    std::vector<int> m_runs;
};

class FakeSockets : public ISocketsService {
public:
    bool Startup() override { return works; }
    bool works = true;
};

// All fakes, installed for the lifetime of this object.
struct FakePlatform {
    FakeMessageBoxes boxes;
    FakeShell shell;
    FakeClock clock;
    FakeTextMeasure measure;
    FakeDialogHost host;
    FakeSockets sockets;
    Platform platform{boxes, shell, clock, measure, host, sockets};
    ScopedPlatform installed{platform};
};

#include "FakePlatform.h"

void FakeMessageBoxes::Expect(const CString& text, const CString& caption, UINT type, int answer) {
    m_expected.push_back({text, caption, type, answer});
}

int FakeMessageBoxes::Show(const CString& text, const CString& caption, UINT type) {
    m_shown.push_back({text, caption, type, 0});
    if (m_expected.empty()) {
        ADD_FAILURE() << "unexpected message box: \"" << text << "\" captioned \"" << caption
                      << '"';
        return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    }
    const ExpectedBox expected = m_expected.front();
    m_expected.pop_front();
    EXPECT_EQ(text, expected.text);
    EXPECT_EQ(caption, expected.caption);
    EXPECT_EQ(type, expected.type) << "flags of \"" << text << '"';
    return expected.answer;
}

void FakeMessageBoxes::VerifyAllShown() {
    for (const auto& box : m_expected) ADD_FAILURE() << "expected box never shown: " << box.text;
    m_expected.clear();
}

int FakeDialogHost::RunModal(CDialog& dialog) {
    m_runs.push_back(dialog.GetTemplateId());
    dialog.InitDialog();
    auto script = m_scripts.find(dialog.GetTemplateId());
    if (script == m_scripts.end())
        ADD_FAILURE() << "dialog " << dialog.GetTemplateId() << " opened without a script";
    else
        script->second(dialog);
    if (!dialog.HasEnded()) dialog.SendCommand(IDCANCEL);
    dialog.DestroyDialog();
    return dialog.GetModalResult();
}

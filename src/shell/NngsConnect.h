// TNngsConnectForm: the Go-server host dialog (接続) without its window.  The
// user enters a host name or address (at most 30 characters); OK connects
// the server window to it, Cancel only closes.  It keeps its place in
// VORN.INI ("FormNngsConnect").
#pragma once

#include <string>

namespace vorn {

class TNngsForm;

// What the dialog asks of its window.
class TNngsConnectView {
public:
    virtual ~TNngsConnectView() = default;
    // Visibility, the host entry or the place changed.
    virtual void Changed() {}
};

class TNngsConnectForm {
public:
    explicit TNngsConnectForm(TNngsForm& nngs) : nngs_(nngs) {}
    TNngsConnectForm(const TNngsConnectForm&) = delete;
    TNngsConnectForm& operator=(const TNngsConnectForm&) = delete;

    void SetView(TNngsConnectView* view) { view_ = view; }

    void FormCreate();
    void FormDestroy();
    // Shown with the server window's host in the entry.
    void Show();
    // The entry as typed, cut to its 30 characters.
    void SetHost(const std::string& text);
    void OKBtnClick();
    void CancelBtnClick();

    static constexpr int kHostMax = 30;
    const std::string Caption = "接続";
    const std::string lblHost = "ホスト";
    const std::string OKBtn = "接続";
    const std::string CancelBtn = "閉じる";
    std::string edtHost = "localhost";
    bool Visible = false;
    int Left = 340, Top = 0;

private:
    void Changed();

    TNngsForm& nngs_;
    TNngsConnectView* view_ = nullptr;
};

} // namespace vorn

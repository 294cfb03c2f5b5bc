// The password dialog that guards the Do Not Ship list.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace velmora {

class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    // `password` is the installation's password, upper-cased.
    explicit TPasswordDlg(const std::string &password, QWidget *parent = nullptr);

    QLineEdit *passwordField() const { return edtPassword_; }
    QLabel *invalidLabel() const { return lblInvalid_; }

public slots:
    void OKBtnClick();

private:
    std::string password_;
    QLineEdit *edtPassword_;
    QLabel *lblInvalid_;
};

} // namespace velmora

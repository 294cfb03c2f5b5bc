// The password dialog that guards the Do Not Ship list.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace velmora {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    // `password` is the installation's password, upper-cased.
    explicit PasswordDialog(const std::string &password, QWidget *parent = nullptr);

    QLineEdit *passwordField() const { return passwordEdit_; }
    QLabel *invalidLabel() const { return invalidLabel_; }

public slots:
    void checkPassword();

private:
    std::string password_;
    QLineEdit *passwordEdit_;
    QLabel *invalidLabel_;
};

} // namespace velmora

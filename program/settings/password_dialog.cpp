#include "settings/password_dialog.h"

#include "settings/do_not_ship.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

PasswordDialog::PasswordDialog(const std::string &password, QWidget *parent) : QDialog(parent), password_(password)
{
    setWindowTitle(QStringLiteral("Password Required"));
    setObjectName(QStringLiteral("PasswordDialog"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter password:"), this));
    passwordEdit_ = new QLineEdit(this);
    passwordEdit_->setObjectName(QStringLiteral("Password"));
    passwordEdit_->setEchoMode(QLineEdit::Password);
    layout->addWidget(passwordEdit_);
    invalidLabel_ = new QLabel(QStringLiteral("Password Invalid"), this);
    invalidLabel_->setObjectName(QStringLiteral("invalidLabel"));
    invalidLabel_->setStyleSheet(QStringLiteral("color: #c00000;"));
    invalidLabel_->hide();
    layout->addWidget(invalidLabel_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PasswordDialog::checkPassword);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setFixedWidth(280);
}

void PasswordDialog::checkPassword()
{
    if (doNotShipPasswordAccepted(passwordEdit_->text().toStdString(), password_)) {
        accept();
        return;
    }
    invalidLabel_->show();
    passwordEdit_->selectAll();
    passwordEdit_->setFocus();
}

} // namespace velmora

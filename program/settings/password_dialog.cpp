#include "settings/password_dialog.h"

#include "settings/do_not_ship.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

TPasswordDlg::TPasswordDlg(const std::string &password, QWidget *parent) : QDialog(parent), password_(password)
{
    setWindowTitle(QStringLiteral("Password Required"));
    setObjectName(QStringLiteral("PasswordDlg"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter password:"), this));
    edtPassword_ = new QLineEdit(this);
    edtPassword_->setObjectName(QStringLiteral("Password"));
    edtPassword_->setEchoMode(QLineEdit::Password);
    layout->addWidget(edtPassword_);
    lblInvalid_ = new QLabel(QStringLiteral("Password Invalid"), this);
    lblInvalid_->setObjectName(QStringLiteral("lblInvalid"));
    lblInvalid_->setStyleSheet(QStringLiteral("color: #c00000;"));
    lblInvalid_->hide();
    layout->addWidget(lblInvalid_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TPasswordDlg::OKBtnClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setFixedWidth(280);
}

void TPasswordDlg::OKBtnClick()
{
    if (doNotShipPasswordAccepted(edtPassword_->text().toStdString(), password_)) {
        accept();
        return;
    }
    lblInvalid_->show();
    edtPassword_->selectAll();
    edtPassword_->setFocus();
}

} // namespace velmora

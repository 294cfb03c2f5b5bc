// The About box.
#pragma once

#include <QDialog>

namespace velmora {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};

} // namespace velmora

// The splash window shown while the program starts.
#pragma once

#include <QWidget>

namespace velmora {

class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

class TAbout;

} // namespace velmora

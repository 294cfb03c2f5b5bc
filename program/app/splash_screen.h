// The splash window shown while the program starts.
#pragma once

#include <QWidget>

namespace velmora {

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

class AboutBox;

} // namespace velmora

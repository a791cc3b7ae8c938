#include "shell/splash.hpp"

#include <QApplication>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QThread>
#include <QTimer>

namespace tobrel::shell {

namespace {

constexpr int kShowMilliseconds = 1000;
constexpr int kFadeSteps = 8;
constexpr int kFadeStepMilliseconds = 15;
constexpr int kFadeOutMilliseconds = 150;

}  // namespace

Splash::Splash(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture_.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Splash::start() {
    setWindowOpacity(0);
    show();
    for (int step = 1; step <= kFadeSteps; ++step) {
        setWindowOpacity(static_cast<double>(step) / kFadeSteps);
        repaint();
        QThread::msleep(kFadeStepMilliseconds);
    }
    shown_.start();
    QTimer::singleShot(kShowMilliseconds, this, &Splash::fadeOut);
}

qint64 Splash::shownFor() const {
    return shown_.isValid() ? shown_.elapsed() : -1;
}

void Splash::fadeOut() {
    auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
    fade->setDuration(kFadeOutMilliseconds);
    fade->setEndValue(0.0);
    connect(fade, &QPropertyAnimation::finished, this, &QWidget::close);
    fade->start();
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace tobrel::shell

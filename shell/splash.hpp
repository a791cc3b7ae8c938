#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

namespace tobrel::shell {

// The start-up picture: frameless, above every window, centred. It fades in (holding the thread
// while it does), stays at least a second, closes at the first moment the event loop runs after
// that, fading out, and deletes itself.
class Splash : public QWidget {
    Q_OBJECT
  public:
    explicit Splash(const QPixmap& picture);

    // Shows and fades in; the timer starts when the picture is fully shown.
    void start();
    // Milliseconds since fully shown; -1 before.
    qint64 shownFor() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void fadeOut();

    QPixmap picture_;
    QElapsedTimer shown_;
};

}  // namespace tobrel::shell

// The yardstick for the start-up benchmark: an empty Qt window of the calendar's client
// size, ending right after its first paint.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class EmptyWindow final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, [] { QApplication::quit(); }); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  EmptyWindow window;
  window.setFixedSize(456, 351);
  window.show();
  return QApplication::exec();
}

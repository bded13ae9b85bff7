// A second yardstick for the start-up benchmark: a Qt window of the calendar's client
// size with one line edit and one Chinese label, so that it pays, like the calendar,
// for the style, the font database and a CJK face; it ends right after its first paint.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace {

class TextWindow final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, [] { QApplication::quit(); }); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TextWindow window;
  window.setFixedSize(456, 351);
  auto* edit = new QLineEdit(QStringLiteral("2024"), &window);
  edit->setGeometry(40, 5, 48, 22);
  auto* label = new QLabel(QStringLiteral("星期日 农历 甲辰年"), &window);
  label->setGeometry(100, 5, 200, 22);
  window.show();
  return QApplication::exec();
}

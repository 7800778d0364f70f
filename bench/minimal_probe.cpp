// The yardstick for the program's start-up: the least a real window of the program's kind does,
// measured the same way as the program. It has the program's client size and font, a menu bar
// with one menu and one label of text, so that it pays for the font system and the menu bar as
// every real window does; what the program needs beyond it is the program's own cost.
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "probe_report.h"

namespace {

// The main window's client area in device-independent pixels (11490 × 8100 twips).
constexpr int kClientWidth = 766;
constexpr int kClientHeight = 540;

}  // namespace

int main(int argc, char* argv[]) {
  gw::bench::Mark("main");
  QApplication app(argc, argv);
  gw::bench::ReportAfterFirstPaint();
  gw::bench::Mark("application");
  QApplication::setApplicationName("Minimal");
  // The program's font, as the program sets it.
  QFont font = QApplication::font();
  font.setFamilies({"Liberation Sans", "Arial", "Helvetica", "Nimbus Sans"});
  font.setPixelSize(10);
  QApplication::setFont(font);

  QMainWindow window;
  window.setWindowTitle("Minimal");
  QMenu* menu = window.menuBar()->addMenu("&File");
  menu->addAction("&Open...");
  auto* client = new QWidget(&window);
  client->setFixedSize(kClientWidth, kClientHeight);
  window.setCentralWidget(client);
  auto* label = new QLabel("A minimal window", client);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(8, 8, 200, 16);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  window.show();
  gw::bench::Mark("started");
  return QApplication::exec();
}

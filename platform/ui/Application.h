#pragma once
// The program's QApplication: any exception escaping an event handler ends
// in the application-level error report (ErrorReport.h) instead of ending
// the program.
#include <QApplication>

namespace ui {

class Application : public QApplication {
  Q_OBJECT
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ui

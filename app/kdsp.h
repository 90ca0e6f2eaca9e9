#pragma once
// The main window of the editor.

#include <QMainWindow>

namespace qv {

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
};

}  // namespace qv

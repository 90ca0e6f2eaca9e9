#pragma once
// The "MUL CONSTANT" dialog: created once, shown modally by its menu command;
// the value typed stays in the field for the next showing.

#include "app/constant_dlg.h"

namespace qv {

class TMulConstDlg : public TConstantDlg {
    Q_OBJECT
  public:
    TMulConstDlg(Workspace& ws, UserInterface& ui, QWidget* parent = nullptr);
};

}  // namespace qv

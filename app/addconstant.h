#pragma once
// The "ADD CONSTANT" dialog: created once, shown modally by its menu command;
// the value typed stays in the field for the next showing.

#include "app/constant_dlg.h"

namespace qv {

class TAddConstDlg : public TConstantDlg {
    Q_OBJECT
  public:
    TAddConstDlg(Workspace& ws, UserInterface& ui, QWidget* parent = nullptr);
};

}  // namespace qv

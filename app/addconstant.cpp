#include "app/addconstant.h"

namespace qv {

TAddConstDlg::TAddConstDlg(Workspace& ws, UserInterface& ui, QWidget* parent)
    : TConstantDlg(ConstantOperation::Add, ws, ui, parent) {
    setObjectName(QStringLiteral("TAddConstDlg"));
}

}  // namespace qv

#include "app/mulconstant.h"

namespace qv {

TMulConstDlg::TMulConstDlg(Workspace& ws, UserInterface& ui, QWidget* parent)
    : TConstantDlg(ConstantOperation::Multiply, ws, ui, parent) {
    setObjectName(QStringLiteral("TMulConstDlg"));
}

}  // namespace qv

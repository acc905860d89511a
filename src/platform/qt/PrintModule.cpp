// The print dialog and the printing as a module of their own: the board loads them, and with them Qt Print
// Support, only when a note is first printed.
#include "platform/qt/PrintQt.h"

extern "C" Q_DECL_EXPORT bool zendraPrint(const PrintRequest& request, QWidget* parent)
{
    return printWithDialog(request, parent);
}

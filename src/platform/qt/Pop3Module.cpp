// The POP3 client as a module of its own: the board loads it, and with it Qt Network, only when mail is checked.
#include "platform/qt/Pop3ClientQt.h"

extern "C" Q_DECL_EXPORT Pop3Client* zendraCreatePop3Client()
{
    return new Pop3ClientQt;
}

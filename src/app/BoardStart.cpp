#include "app/BoardStart.h"

#include "app/StartupFiles.h"
#include "board/Form1.h"
#include "email/MailController.h"

void loadBoard(Form1& board, const DataDir& dataDir)
{
    // The new-mail picture comes first, so its message shows before any data file is opened.
    board.mail().loadPicture();
    const StartupFiles files = StartupFiles::read(dataDir);
    board.Form_Load({files.position,
                     files.options,
                     files.icons,
                     files.autosave,
                     files.scratch,
                     files.notes,
                     files.tipset,
                     files.email});
}

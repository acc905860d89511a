#include "app/BoardStart.h"

#include "app/StartupFiles.h"
#include "board/Form1.h"

void loadBoard(Form1& board, const DataDir& dataDir)
{
    const StartupFiles files = StartupFiles::read(dataDir);
    board.Form_Load(files.position, files.options, files.icons);
}

// Rewrites every data file of the board in a loop through the program's own writers, so that a test can kill it
// at any moment of a write. Round n writes version n of each file; the test knows what each version holds.
//
//   zendra98-write-storm DIRECTORY FIRST-ROUND

#include <cstdio>
#include <cstdlib>

#include <QString>

#include "board/PositionFile.h"
#include "core/DataDir.h"
#include "core/Options.h"
#include "email/EmailSettings.h"
#include "launch/IconPositions.h"
#include "notes/NoteFile.h"
#include "scratch/ScratchFiles.h"

using namespace Qt::StringLiterals;

namespace
{
// Long enough that a write takes more than one system call's worth of a page.
constexpr int kFillLength = 6000;

QString text(long round)
{
    return u"round %1\n"_s.arg(round) + QString(kFillLength, u'x') + u"\nend %1"_s.arg(round);
}

void writeRound(const DataDir& dir, long round)
{
    const auto twips = static_cast<float>(1500 + round % 1000);
    PositionFile{static_cast<float>(round % 2), twips, twips}.write(dir);

    IconPositions icons;
    for (std::size_t i = 0; i < icons.places.size(); ++i)
        icons.places[i] = {static_cast<float>(round % 1000), static_cast<float>(round % 1000 + i)};
    icons.write(dir, QString::fromLatin1(IconPositions::kSavedName));

    Options options;
    options.trayMode = 2;
    for (std::size_t i = 0; i < options.programs.size(); ++i)
        options.programs[i] = {static_cast<float>(i + 1), u"round %1"_s.arg(round), text(round)};
    options.write(dir);

    NoteFile::write(dir, static_cast<int>(round % 5) + 1, text(round));
    // The scratch pad writes both ways: on disk before the rename at exit, without the wait on every key.
    ScratchFile::write(dir, 1, text(round), round % 2 == 0);

    // The mail settings: the account, the server and the address name the round; the password is the long text.
    EmailSettings email;
    email.account = email.server = email.address = u"round %1"_s.arg(round);
    email.password = text(round);
    email.write(dir, 1, 300000);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DIRECTORY FIRST-ROUND\n", argv[0]);
        return 2;
    }
    const DataDir dir(QString::fromLocal8Bit(argv[1]));
    // The test's clock for the kill starts here, not at the slower loading of the program.
    std::puts("writing");
    std::fflush(stdout);
    for (long round = std::atol(argv[2]);; ++round)
        writeRound(dir, round);
}

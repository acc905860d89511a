#pragma once

#include <QTranslator>

class DataDir;

/// The program's texts and Qt's own (the standard buttons, the file dialogs) in the language of the user's
/// locale, for as long as it lives. The program's translations lie in the shipped folder's translations/, Qt's
/// where Qt keeps its own. A language without a translation stays English.
class Translations
{
public:
    explicit Translations(const DataDir& dataDir);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator m_program;
    QTranslator m_qt;
};

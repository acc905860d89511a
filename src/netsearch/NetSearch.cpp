#include "netsearch/NetSearch.h"

#include <QAction>

#include "core/BoardMenu.h"
#include "netsearch/frmnetsearch.h"

NetSearch::NetSearch(Platform& platform, const DataDir& dataDir)
    : m_platform(platform)
    , m_dataDir(dataDir)
{
}

NetSearch::~NetSearch()
{
    // The window is a window of its own; it goes with the board, storing nothing.
    delete m_window;
}

void NetSearch::addMenuItems(BoardMenu& menu)
{
    connect(menu.addItem(BoardMenu::Section::Reach, QStringLiteral("mnunetsearch"), tr("Net &Search")),
            &QAction::triggered,
            this,
            &NetSearch::mnunetsearch_Click);
}

void NetSearch::mnunetsearch_Click()
{
    if (!m_window)
        m_window = new frmnetsearch(m_platform, m_dataDir);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

frmnetsearch* NetSearch::window() const
{
    return m_window;
}

#pragma once

#include <QObject>
#include <QPointer>

#include "core/BoardFeature.h"
#include "core/DataDir.h"

class frmnetsearch;
struct Platform;

/// The net search feature on the board: its board menu item and its window, loaded on first use.
class NetSearch final : public QObject, public BoardFeature
{
    Q_OBJECT

public:
    NetSearch(Platform& platform, const DataDir& dataDir);
    ~NetSearch() override;

    /// "Net &Search".
    void addMenuItems(BoardMenu& menu) override;
    /// "Net &Search": the window, loaded if needed, in front.
    void mnunetsearch_Click();
    /// The window while it is loaded, else null.
    frmnetsearch* window() const;

private:
    Platform& m_platform;
    DataDir m_dataDir;
    QPointer<frmnetsearch> m_window;
};

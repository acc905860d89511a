#pragma once

#include <array>

#include <QObject>

/// The options as the board shows them, shared by the feature that applies options.dat and the features that
/// show what it says: which of the launch icons show.
class OptionsModel final : public QObject
{
    Q_OBJECT

public:
    /// The launch icons that the icon flags of options.dat show and hide.
    enum class Icon
    {
        MyPrograms,
        DialUp,
        ControlPanel,
        Explorer,
        Calculator,
        Notepad,
    };
    static constexpr int kIconCount = 6;

    bool isShown(Icon icon) const;
    void setShown(Icon icon, bool shown);

Q_SIGNALS:
    /// Sent on every `setShown`, changed or not.
    void shownChanged(OptionsModel::Icon icon, bool shown);

private:
    std::array<bool, kIconCount> m_shown{};
};

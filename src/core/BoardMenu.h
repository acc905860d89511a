#pragma once

class QAction;
class QMenu;
class QString;

/// The board menu as a feature fills it. The menu's structure is fixed: sections from top to bottom with a
/// separator between them; in a section, the features' items stand in the features' order, each feature's in the
/// order it added them, and the board's own items follow.
class BoardMenu
{
public:
    enum class Section
    {
        Write,       ///< new note, scratch pad
        Reach,       ///< net search, programs
        Mail,        ///< checking the mailbox
        Arrange,     ///< the icons, then the board's position and on-top items
        Settings,    ///< the preferences
        HelpWindows, ///< the Help submenu's windows, after its links
    };

    virtual ~BoardMenu() = default;
    /// A new item named `objectName`, shown at the end of `section`.
    virtual QAction* addItem(Section section, const QString& objectName, const QString& caption) = 0;
    /// A new submenu named `objectName` (its item carries the same name), shown at the end of `section`.
    virtual QMenu* addSubmenu(Section section, const QString& objectName, const QString& caption) = 0;
    /// An item the feature made itself, shown at the end of `section`.
    virtual void add(Section section, QAction* item) = 0;
    virtual void addSeparator(Section section) = 0;
};

#pragma once

#include <QStringList>

class BoardMenu;

/// Everything the board knows of a feature that lives on it. The composition root builds the features, hands
/// them to the board in the board menu's order and puts their steps of the board's load in the load's fixed
/// order; the board walks the list and knows no feature by name.
class BoardFeature
{
public:
    virtual ~BoardFeature() = default;

    /// Puts the items it owns into the board menu; called once, when the board builds its menu.
    virtual void addMenuItems(BoardMenu&) {}
    /// The board menu is about to open.
    virtual void boardMenuOpening() {}
    /// A press or a click on the board's background picture, or a double click on the board.
    virtual void surfaceTouched() {}
    /// A left double click on the board or on its background picture.
    virtual void surfaceDoubleClicked() {}
    /// Its part of "E&xit", after the board has stored its own file, in list order. Without `ask` the session
    /// ends and nobody is asked. Returns the names of the files it could not save.
    virtual QStringList storeAtExit(bool /*ask*/) { return {}; }
};

#pragma once

class DataDir;
class Form1;

/// The board's load: reads the data files in their fixed order, each opened, read and closed in turn with
/// errors ignored, and builds the board from what they hold.
void loadBoard(Form1& board, const DataDir& dataDir);

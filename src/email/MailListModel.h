#pragma once

#include <array>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

/// The mail list's rows: a heading row, then From, Subject and Date of every listed message. A fourth column
/// stays empty. Each row's three texts are kept in one string, split when the view asks for a cell, so ten
/// thousand messages cost little more than their texts.
class MailListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kColumns = 4;
    using Row = std::array<QString, 3>;

    using QAbstractTableModel::QAbstractTableModel;

    /// Only the heading row is left.
    void reset(const Row& heading);
    /// Every cell empties; the rows stay.
    void clearCells();
    void addRow(const Row& row);
    /// Several rows in one insertion, so that the view lays itself out once for all of them.
    void addRows(const std::vector<Row>& rows);

    /// The cell's text; an empty text beyond the rows.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static QString joined(const Row& row);

    /// From, Subject and Date of a row, separated by the unit separator, which no header text holds.
    std::vector<QString> m_rows;
};

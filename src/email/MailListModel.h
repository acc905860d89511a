#pragma once

#include <array>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

/// The mail list's rows: a heading row, then From, Subject and Date of every listed message. A fourth column
/// stays empty. The texts are kept once, as they came; the view asks for them, so ten thousand messages cost
/// little more than their texts.
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

    /// The cell's text; an empty text beyond the rows.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<Row> m_rows;
};

#include "email/MailListModel.h"

void MailListModel::reset(const Row& heading)
{
    beginResetModel();
    m_rows.clear();
    m_rows.push_back(heading);
    endResetModel();
}

void MailListModel::clearCells()
{
    for (Row& row : m_rows)
        row = {};
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

void MailListModel::addRow(const Row& row)
{
    const int at = rowCount();
    beginInsertRows({}, at, at);
    m_rows.push_back(row);
    endInsertRows();
}

QString MailListModel::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= static_cast<int>(Row().size()))
        return {};
    return m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int MailListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int MailListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant MailListModel::data(const QModelIndex& index, int role) const
{
    // The whole text also as the tooltip: a long subject is cut short in its cell.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    const QString cell = text(index.row(), index.column());
    if (role == Qt::ToolTipRole && cell.isEmpty())
        return {};
    return cell;
}

QVariant MailListModel::headerData(int, Qt::Orientation, int role) const
{
    // The fixed top row stays empty: the heading texts stand in the first ordinary row.
    return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
}

Qt::ItemFlags MailListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

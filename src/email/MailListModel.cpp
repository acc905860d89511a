#include "email/MailListModel.h"

namespace
{
constexpr QChar kSeparator(0x1F);
} // namespace

QString MailListModel::joined(const Row& row)
{
    // A separator inside a header text would shift the cells after it; it becomes a space.
    QString text;
    text.reserve(row[0].size() + row[1].size() + row[2].size() + 2);
    for (size_t column = 0; column < row.size(); ++column) {
        if (column > 0)
            text += kSeparator;
        text += QString(row[column]).replace(kSeparator, u' ');
    }
    return text;
}

void MailListModel::reset(const Row& heading)
{
    beginResetModel();
    m_rows.clear();
    m_rows.push_back(joined(heading));
    endResetModel();
}

void MailListModel::clearCells()
{
    for (QString& row : m_rows)
        row = QString(2, kSeparator);
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

void MailListModel::addRow(const Row& row)
{
    addRows({row});
}

void MailListModel::addRows(const std::vector<Row>& rows)
{
    if (rows.empty())
        return;
    const int at = rowCount();
    beginInsertRows({}, at, at + static_cast<int>(rows.size()) - 1);
    for (const Row& row : rows)
        m_rows.push_back(joined(row));
    endInsertRows();
}

QString MailListModel::text(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= static_cast<int>(Row().size()))
        return {};
    const QString& cells = m_rows[static_cast<size_t>(row)];
    qsizetype start = 0;
    for (int skipped = 0; skipped < column; ++skipped)
        start = cells.indexOf(kSeparator, start) + 1;
    const qsizetype end = cells.indexOf(kSeparator, start);
    return cells.mid(start, end < 0 ? -1 : end - start);
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
    if (role == Qt::ToolTipRole) {
        // A tooltip that looks like markup is shown as markup: a subject from the server is made text for it.
        return cell.isEmpty() ? QVariant()
                              : QVariant(QStringLiteral("<p style='white-space:pre'>") + cell.toHtmlEscaped() +
                                         QStringLiteral("</p>"));
    }
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

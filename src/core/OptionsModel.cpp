#include "core/OptionsModel.h"

bool OptionsModel::isShown(Icon icon) const
{
    return m_shown[static_cast<std::size_t>(icon)];
}

void OptionsModel::setShown(Icon icon, bool shown)
{
    m_shown[static_cast<std::size_t>(icon)] = shown;
    Q_EMIT shownChanged(icon, shown);
}

#include "tools/scale_preview.h"

std::optional<int> CScalePreview::Apply(int value)
{
    m_nApplied = value;
    return value;
}

std::optional<int> CScalePreview::Typed(bool autoPreview, int value)
{
    if (!autoPreview || !InRange(value))
        return std::nullopt;
    return Apply(value);
}

std::optional<int> CScalePreview::AutoPreviewClicked(bool autoPreview, int value)
{
    if (!autoPreview)
        return std::nullopt;
    return Apply(value);
}

std::optional<int> CScalePreview::Cancelled()
{
    if (m_nApplied == m_nInitial)
        return std::nullopt;
    return Apply(m_nInitial);
}

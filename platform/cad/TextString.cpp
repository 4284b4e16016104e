#include "platform/cad/TextString.h"

void TextString::ApplyTransform(const Transform& transform)
{
    m_origin = transform.Multiply(m_origin);
    DVec3d x = transform.matrix.Multiply(m_orientation.GetColumn(0));
    DVec3d y = transform.matrix.Multiply(m_orientation.GetColumn(1));
    // Only the directions turn: a scaled transform must not change the character size twice.
    if (x.Normalize() > 0.0 && y.Normalize() > 0.0) {
        DVec3d z = DVec3d::FromCrossProduct(x, y);
        if (z.Normalize() > 0.0)
            m_orientation = RotMatrix::FromColumnVectors(x, y, z);
    }
}

bool operator==(const TextString& a, const TextString& b)
{
    return a.m_text == b.m_text && a.m_origin.IsEqual(b.m_origin) &&
           a.m_orientation.IsEqual(b.m_orientation) && a.m_size.x == b.m_size.x &&
           a.m_size.y == b.m_size.y && a.m_fontName == b.m_fontName;
}

#pragma once

#include "glyphbin_export.h"

#include <QtGlobal>
#include <stdexcept>

// Thrown when the collection holds no picture under the requested number.
// Derives from std::runtime_error so a toolbar that loads the collection at
// run time, without these headers, can still catch it and show what().
class GLYPHBIN_EXPORT tamMissingResource : public std::runtime_error
{
public:
    explicit tamMissingResource(qint32 id);
    ~tamMissingResource() override;

    qint32 id() const noexcept { return m_id; }

private:
    qint32 m_id;
};

#include "tammissingresource.h"

#include <string>

tamMissingResource::tamMissingResource(qint32 id)
    : std::runtime_error("missing resource: the toolbar picture collection has no picture " +
                         std::to_string(id)),
      m_id(id)
{}

// Out of line so the type information lives in the library only once.
tamMissingResource::~tamMissingResource() = default;

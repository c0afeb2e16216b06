#include "vistaprogpropertystore.h"

VistaProgPropertyStore::~VistaProgPropertyStore() = default;

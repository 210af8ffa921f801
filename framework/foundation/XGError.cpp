#include "foundation/XGError.h"

XGError::~XGError() = default;

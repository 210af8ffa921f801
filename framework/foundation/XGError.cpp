#include "XGError.h"

XGError::~XGError() = default;

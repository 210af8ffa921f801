#include "records/XGForm.h"

XGForm::XGForm()
{
}

XGForm::~XGForm()
{
}

XG_BEGIN_DISPATCH(XGForm, XGDispatch)
XG_END_DISPATCH()

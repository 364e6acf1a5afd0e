#include "forms/opamp/SchmittTriggerDlg.h"

#include "res/templates/Templates.h"

CSchmittTriggerDlg::CSchmittTriggerDlg() : CCalcFormDlg(templates::SchmittTrigger(), SchmittTriggerModel()) {}

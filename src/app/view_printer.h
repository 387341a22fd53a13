#pragma once

#include "system/view_print_request.h"

class QPrinter;
class QWidget;

// File "Print...", "Print Preview" and "Print Setup": the current view drawn
// on one page, the same drawing in the preview, and the page set-up kept for
// the next print.

namespace rovex {

class CROVEXView;

// Draws the view's current picture on the printer's page, fitted with its proportions kept; the
// track editor (mode 5) draws its print picture at the page's resolution instead.
bool PrintViewPage(CROVEXView& view, QPrinter& printer);
// Carries out the request for the view (the dialogs' parent); false when nothing was printed.
bool RunViewPrint(const ViewPrintRequest& request, CROVEXView& view);

}  // namespace rovex

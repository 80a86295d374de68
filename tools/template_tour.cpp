// Tour of the language library's dialog templates (filled in with the templates).
#include "tools/template_tour.h"

void TourTemplates(HMODULE, const char*) {}

// A seam around the window-manager queries of the window search and the panel. The benchmark
// builds those sources with PLRA_COUNT_WINDOW_QUERIES to count the queries made per drag step;
// in the program the macro is the bare call.
#pragma once

#ifdef PLRA_COUNT_WINDOW_QUERIES
namespace plra {
extern long windowQueryCount;
}
#define PLRA_QUERY(call) (++::plra::windowQueryCount, (call))
#else
#define PLRA_QUERY(call) (call)
#endif

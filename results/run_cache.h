/*
** What the preparation and the design run over the combinations own while they run: a fresh run
** record of the designs each, and for the design run its design cache, through which the
** fastener design of a combination takes the angle-independent part of the design over from the
** combination before when its connection input is bitwise the same (catalogues and annex stay
** unchanged during a run).
*/
#pragma once

#include <memory>

#include "design/design_state.h"

/* The designs of the combination at hand, kept by angle, with the base that the next
** combination of the same run may take over (results/check_vbm.cpp). */
typedef struct Vbm_Design_Cache Vbm_Design_Cache;

/* Open a design run: a fresh design cache becomes the one the fastener checks use, and from now
** on a combination may take over the base of the one before. Return the cache. */
Vbm_Design_Cache *Open_Vbm_Design_Run(void);

/* Close the design run of `cache` and free the cache: no design or base outlives the run. The
** checks use the cache of the run around it again, or none. */
void Close_Vbm_Design_Run(Vbm_Design_Cache *cache);

/* The fastener designs made so far in the run of `cache` (null: outside a run), those at the
** angles of the bounds of the search for the governing fastener included: the work of the
** fastener checks. */
long Vbm_Designs_Made(const Vbm_Design_Cache *cache);

/*
** A fresh run record of the connection designs (message lists, kept sines, embedment plan and
** yield moment, text buffers), the calling thread's for as long as the object lives. The
** preparation and the design run over the combinations each own one: they start from nothing an
** earlier design or run left, and leave the caller's record as they found it. A text a getter
** hands out meanwhile lives only as long as the object: copy it.
*/
class Splice_Design_Record {
  public:
    Splice_Design_Record() : design_(std::make_unique<Design_Run_Rec>()), scope_(design_.get()) {}
    Splice_Design_Record(const Splice_Design_Record &) = delete;
    Splice_Design_Record &operator=(const Splice_Design_Record &) = delete;

    Design_Run_Rec *Get(void) { return design_.get(); }

  private:
    std::unique_ptr<Design_Run_Rec> design_; /* made before scope_, which makes it current */
    Design_Run_Scope scope_;
};

/* A design run over the combinations, for as long as the object lives: its own run record of
** the designs and its own design cache. */
class Splice_Design_Run {
  public:
    Splice_Design_Run() : designs_(Open_Vbm_Design_Run()) {}
    ~Splice_Design_Run() { Close_Vbm_Design_Run(designs_); }
    Splice_Design_Run(const Splice_Design_Run &) = delete;
    Splice_Design_Run &operator=(const Splice_Design_Run &) = delete;

    Design_Run_Rec *Design_Record(void) { return record_.Get(); }

  private:
    Splice_Design_Record record_;
    Vbm_Design_Cache *designs_;
};

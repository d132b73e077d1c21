/*
** The run records the preparation and the design run over the combinations own while they run,
** and the reuse within one design run (the fastener design of a combination takes the
** angle-independent part of the design over from the combination before when its connection
** input is bitwise the same; catalogues and annex stay unchanged during a run).
*/
#pragma once

#include <memory>

#include "design/design_state.h"

/* Open a design run: from now on a combination may take over the base of the one before. */
void Open_Vbm_Design_Run(void);

/* Close the design run: no base outlives it. */
void Close_Vbm_Design_Run(void);

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
    std::unique_ptr<Design_Run_Rec> design_;    /* made before scope_, which makes it current */
    Design_Run_Scope scope_;
};

/* A design run over the combinations, for as long as the object lives: its own run record of
** the designs, and the reuse of the designs opened. */
class Splice_Design_Run {
public:
    Splice_Design_Run() { Open_Vbm_Design_Run(); }
    ~Splice_Design_Run() { Close_Vbm_Design_Run(); }
    Splice_Design_Run(const Splice_Design_Run &) = delete;
    Splice_Design_Run &operator=(const Splice_Design_Run &) = delete;

    Design_Run_Rec *Design_Record(void) { return record_.Get(); }

private:
    Splice_Design_Record record_;
};

/*
** Helpers of the catalogue tests: the value set (EN 1995 block or DIN 1052) switched per test,
** and the messages of the catalogue readers collected.
*/
#pragma once

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "nad/nad.h"

/* Switches Nad_Params for the life of the object and puts the old pointer back. */
class Nad_Scope {
  public:
    explicit Nad_Scope(bool en) : saved_(Nad_Params)
    {
        Init_NAD_EC5_Defaults(&block_);
        Nad_Params = en ? &block_ : nullptr;
    }
    ~Nad_Scope() { Nad_Params = saved_; }
    NAD_EC5_Params *block() { return &block_; }

  private:
    NAD_EC5_Params block_;
    NAD_EC5_Params *saved_;
};

/* Collects the catalogue messages for the life of the object. */
class Msg_Capture {
  public:
    Msg_Capture()
    {
        Lines().clear();
        Catalogue_Set_Msg_Hook(&Msg_Capture::Hook);
    }
    ~Msg_Capture() { Catalogue_Set_Msg_Hook(nullptr); }
    const std::vector<std::string> &lines() const { return Lines(); }

  private:
    static std::vector<std::string> &Lines()
    {
        static std::vector<std::string> l;
        return l;
    }
    static void Hook(const char *text) { Lines().push_back(text); }
};

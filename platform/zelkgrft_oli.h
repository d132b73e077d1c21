/*
** Page-layout commands of the print list (OLI_*): each call writes one record into the
** print-list stream.
*/
#pragma once

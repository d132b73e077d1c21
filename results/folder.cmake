# The splice input record and its globals are defined in splice/ (splice_globals.cpp), which
# itself uses results/: name the edge so that the static libraries are repeated on the link line.
target_link_libraries(splice_results PUBLIC splice_splice)

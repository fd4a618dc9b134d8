grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
#grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
!grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
bgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
vgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
bgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
#grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
fgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
bgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ygrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
,grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
#grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
'grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ygrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
fgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
:grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
xgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
#grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ygrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
,grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
vgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
bgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
,grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ygrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
#grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
,grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
vgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ygrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
kgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
.grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
=grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
$grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
{grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
1grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
:grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
-grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
bgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
vgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
mgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ygrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
.grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
}grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
[grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
[grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
-grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
fgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
$grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
]grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
]grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
{grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
mgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
mgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ygrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
:grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
$grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
;grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
xgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
0grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
;grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
}grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
=grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
=grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
-grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
'grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
^grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
2grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
:grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
(grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ygrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
cgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ugrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
hgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
-grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
kgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
jgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
[grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
-grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
zgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
0grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
-grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
9grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
]grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
+grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
+grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Vgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
kgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Fgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
)grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
'grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
$grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
'grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
^grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
'grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
wgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
kgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
'grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
^grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
[grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
0grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
-grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
9grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
]grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
+grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
\grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
[grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
0grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
-grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
9grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
]grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
+grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
:grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
{grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
mgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
=grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
$grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
3grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
}grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
kgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
|grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
Sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
kgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
/grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
&grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
&grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
mgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
!grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
=grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
{grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
rgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
sgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
kgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
pgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
dgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
:grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
mgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
;grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ngrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
agrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
mgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
=grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
}grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
'grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
$grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
lgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ogrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
ggrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
"grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
egrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
xgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
igrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
tgrep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
 grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"
0grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

grep -E '^e2e: (ran |inside |passed only on the second run|the three-disk join|  [a-z0-9]+ +GetVersion|FAILED)' "$log" | sed 's/^/  /'
# CTest logs a skipped test as passed; its own output says why it skipped.
awk '/^[0-9]+\/[0-9]+ Test: /{name=$3}
     /[Ss]kipped[:,]|\[  SKIPPED \]/ && name != "" {print "  skipped in " name ": " $0}' "$log"

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
#  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
!  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
b  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
v  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
b  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
#  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
B  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
b  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
w  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
6  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
0  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
#  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
B  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
H  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
0  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
&  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
&  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
w  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
:  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
b  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
H  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
:  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
6  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
0  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
G  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
v  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
+  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
+  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
4  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
v  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
+  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
+  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
G  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
v  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
4  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
v  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
G  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
&  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
&  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
G  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
:  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
>  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
&  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
2  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
;  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
x  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
;  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
k  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
B  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
G  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
j  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
M  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
K  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
X  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
X  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
M  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
P  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
G  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
M  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
K  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
M  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
P  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
G  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
\  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
V  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
K  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
V  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
K  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
B  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
V  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
K  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
B  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
X  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
M  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
P  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
L  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
>  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
v  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
k  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
b  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
@  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
#  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
@  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
0  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
;  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
*  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
;  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
+  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
b  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
.  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
;  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
g  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
@  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
;  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
(  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
H  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
)  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
k  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
P  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
k  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
:  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
b  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
B  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
P  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
k  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
:  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
\  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
F  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
Z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
R  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
/  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
x  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
O  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
N  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
D  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
C  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
H  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
_  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
m  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
k  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
=  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
p  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
s  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
2  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
>  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
&  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
5  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
P  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
I  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
P  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
E  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
A  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
T  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
U  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
S  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
[  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
0  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
-  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
q  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
0  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
]  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
|  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
{  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
c  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
h  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
z  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
:  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
$  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
f  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
a  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
l  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
u  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
r  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
"  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
>  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
&  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
2  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
;  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
x  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
i  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
t  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
1  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
;  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
   log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
}  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
d  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
o  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
n  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
e  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

  log="$FUZZ_DIR/$t.log"
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 "$corpus" \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }

# The two commands of the README: `make run` and `make test`. Both install what is
# missing, configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TIMEOUT ?= 5
FUZZERS = ini custom_text rtf rtf_paragraphs text_decoding vnml_renderer tag_checker text_tokens \
  pasted_html

.PHONY: all deps configure build run test bench package fuzz format clean

all: build

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DQUILLET_BENCH=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quillet

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/quillet_bench
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/quillet_startup_probe

# A Debian package of the program: apt install ./$(BUILD)/quillet_*.deb
package: build
	cd $(BUILD) && cpack -G DEB

# Every reader of outside input under libFuzzer, FUZZ_SECONDS each, in a clang build of
# its own; an input that takes over FUZZ_TIMEOUT seconds counts as a hang. New inputs go
# to $(FUZZ_BUILD)/corpus/<name>; crashes and hangs to $(FUZZ_BUILD)/<name>-*. A target
# may have a dictionary, fuzz/<name>.dict.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DQUILLET_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZERS))
	for name in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$name && \
	  ./$(FUZZ_BUILD)/fuzz/fuzz_$$name -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_TIMEOUT) \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/$$name- \
	    $$(test -f fuzz/$$name.dict && echo -dict=fuzz/$$name.dict) \
	    $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

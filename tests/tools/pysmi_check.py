"""Compiles one MIB module with pysmi from local folders only (no borrowing, no network); exit 1 on any error."""
import sys

from pysmi.codegen.jsondoc import JsonCodeGen
from pysmi.compiler import MibCompiler
from pysmi.parser.dialect import smiV2
from pysmi.parser.smi import parserFactory
from pysmi.reader.localfile import FileReader
from pysmi.searcher.stub import StubSearcher
from pysmi.writer.callback import CallbackWriter

folder, name = sys.argv[1], sys.argv[2]
compiler = MibCompiler(parserFactory(**smiV2)(), JsonCodeGen(), CallbackWriter(lambda *args: None))
for f in folder.split(":"):
    compiler.addSources(FileReader(f))
compiler.addSearchers(StubSearcher(*JsonCodeGen.baseMibs))
results = compiler.compile(name, noDeps=True, rebuild=True, genTexts=True)
status = results.get(name)
print('%s: %s' % (name, status))
for mib, st in results.items():
    if st == 'failed' or st == 'missing':
        print('%s: %s %s' % (mib, st, getattr(st, 'error', '')))
sys.exit(0 if status == 'compiled' else 1)

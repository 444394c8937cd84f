#!/usr/bin/env python3
"""Lists which folder of src/ includes from which, with the number of includes:
scripts/folder_deps.py [SRC_DIR]. A quick look at the layers before a change."""
import os,re,sys,collections
root=sys.argv[1] if len(sys.argv)>1 else 'src'
inc=re.compile(r'^\s*#\s*include\s*"([^"]+)"')
edges=collections.Counter()
def folder(p):
    parts=p.split('/')
    d='/'.join(parts[:-1])
    return d
for dp,dn,fn in os.walk(root):
    for f in fn:
        if not f.endswith(('.h','.cpp')): continue
        path=os.path.join(dp,f)
        src=os.path.relpath(dp,root)
        for line in open(path,errors='replace'):
            m=inc.match(line)
            if m:
                t=m.group(1)
                if '/' not in t: tf=src
                else: tf=folder(t)
                if tf!=src: edges[(src,tf)]+=1
for (a,b),n in sorted(edges.items()):
    print(f"{a:20s} -> {b:20s} {n}")
print(len(edges),"folder-to-folder dependencies")

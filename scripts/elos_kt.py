#!/usr/bin/env python3
"""Computes the derived K and T fuse-link curves of src/core/curves/elos/.

Usage: scripts/elos_kt.py src/core/curves/elos/elos_k.cpp src/core/curves/elos/elos_t.cpp

Rewrites, in place, every curve of the two tables that is not digitised
(6K, 6K-max, 8K, 6T, 6T-max and 80T stay as read) and prints, per curve, the
point count and the largest slope change between neighbouring segments.
The method is described at the top of elos_k.cpp.
"""
import math
import re
import sys
K = {  # link: (IL min, IL max, I10 min, I10 max, I01 min, I01 max)
'6K':(12.0,14.4,13.5,20.5,72,86),'8K':(15,18,18,27,97,116),'10K':(19.5,23.4,22.5,34,128,154),
'12K':(25,30,29.5,44,166,199),'15K':(31,37.2,37,55,215,258),'20K':(39,47,48,71,273,328),
'25K':(50,60,60,90,350,420),'30K':(63,76,77.5,115,447,536),'40K':(80,96,98,146,565,680),
'50K':(101,121,126,188,719,862),'65K':(128,153,159,237,918,1100),'80K':(160,192,205,307,1180,1420),
'100K':(200,240,258,388,1520,1820),'140K':(310,372,430,650,2470,2970),'200K':(480,576,760,1150,3880,4650)}
T = {'6T':(12.0,14.4,15.3,23,120,144),'8T':(15,18,20.5,31,166,199),'10T':(19.5,23.4,26.5,40,224,269),
'12T':(25,30,34.5,52,296,355),'15T':(31,37.2,44.5,67,388,466),'20T':(39,47,57,85,496,595),
'25T':(50,60,73.5,109,635,762),'30T':(63,76,93,138,812,975),'40T':(80,96,120,178,1040,1240),
'50T':(101,121,152,226,1310,1570),'65T':(128,153,195,291,1650,1975),'80T':(160,192,248,370,2080,2500),
'100T':(200,240,319,475,2620,3150),'140T':(310,372,520,775,4000,4800),'200T':(480,576,850,1275,6250,7470)}
VT = [100,60,30,20]; UT=[5,3,2,1,.5,.3,.2]
SH = {'K':dict(v=[.128,.239,.394,.540],u=[.070,.145,.223,.375,.550,.689,.804],v6=[.48,.62,.76,.84]),
      'T':dict(v=[.175,.283,.480,.637],u=[.107,.203,.287,.446,.608,.733,.831],v6=[.37,.545,.735,.83])}
def lin(ts, vs, t):
    # linear in log t between tabulated (ts descending)
    for i in range(len(ts)-1):
        if ts[i] >= t >= ts[i+1]:
            f = math.log(ts[i]/t)/math.log(ts[i]/ts[i+1]); return vs[i]+f*(vs[i+1]-vs[i])
    raise ValueError(t)
def shape(typ, name, IL, I10, I01, t):
    s = SH[typ]; big = name.startswith(('140','200'))
    if t >= 10:
        tL = 600 if big else 300
        v = lin([tL]+VT+[10],[0]+(s['v6'] if big else s['v'])+[1],t)
        return IL*(I10/IL)**v
    if t >= 0.1:
        u = lin([10]+UT+[.1],[0]+s['u']+[1],t); return I10*(I01/I10)**u
    return I01*math.sqrt(0.1/t)
GRID=[100,60,30,20,14,10,7,5,3,2,1,.5,.3,.2,.1,.05,.03,.02,.01]
def slopes(pts):
    return [math.log(pts[i+1][0]/pts[i][0])/math.log(pts[i][1]/pts[i+1][1]) for i in range(len(pts)-1)]
def maxratio(pts):
    s=slopes(pts); r=1; at=None
    for i in range(len(s)-1):
        a,b=s[i],s[i+1]
        if a<=0 or b<=0: return float('inf'),pts[i+1][1]
        q=max(a/b,b/a)
        if q>r: r,at=q,pts[i+1][1]
    return r,at
def smooth(pts_shape, anchors, alpha, iters=3000):
    # pts: list (I,t) on GRID; anchors: set of indices whose y is fixed
    x=[math.log(1/t) for _,t in pts_shape]; y=[math.log(I) for I,_ in pts_shape]
    n=len(x); dx=[x[i+1]-x[i] for i in range(n-1)]
    z0=[math.log((y[i+1]-y[i])/dx[i]) for i in range(n-1)]
    z=z0[:]
    A=sorted(anchors)
    ivs=[(A[k],A[k+1]) for k in range(len(A)-1)]
    free=[(a,b) for a,b in ivs if b-a>1]
    for _ in range(iters):
        zn=z[:]
        for a,b in free:
            for j in range(a,b):
                l=z[j-1] if j>0 else z[j]; r=z[j+1] if j+1<len(z) else z[j]
                zn[j]=(1-alpha)*(l+2*z[j]+r)/4+alpha*z0[j]
            rise=y[b]-y[a]; ssum=sum(math.exp(zn[j])*dx[j] for j in range(a,b))
            c=math.log(rise/ssum)
            for j in range(a,b): zn[j]+=c
        z=zn
    yy=[y[0]]
    for j in range(n-1): yy.append(yy[-1]+math.exp(z[j])*dx[j])
    return [(math.exp(yy[i]),pts_shape[i][1]) for i in range(n)]
ALPHA=0.1
def fmt4(v):
    s='%.4g'%v
    return '%g'%float(s)
# listed first/last points of partially listed curves
FIRST={'100K':(209.9,94.87),'200K':(541.4,99.4),'200T':(587.1,97.29)}
LAST={'100K':(4427,0.0109),'200K':(8356,0.0172),'200T':(9408,0.058),'200T-max':(9534,0.0709)}
LISTED={'6K','6K-max','8K','6T','6T-max','80T'}
def build(typ,name,IL,I10,I01):
    g=GRID[:]
    anc_t={10}
    first=FIRST.get(name); last=LAST.get(name)
    if first: g[0]=first[1]
    if last:
        g=[t for t in g if t>last[1]]+[last[1]]
        if last[1]>0.012: g+= [t for t in (0.03,0.02,0.01) if t<last[1]*0.8]
        else: pass
    pts=[(shape(typ,name,IL,I10,I01,t),t) for t in g]
    if first: pts[0]=first
    if last:
        k=g.index(last[1]); pts[k]=last
        for i in range(k+1,len(g)): pts[i]=(last[0]*math.sqrt(last[1]/g[i]),g[i])
        j=g.index(0.1); I0=pts[j][0]
        for i in range(j+1,k):
            f=math.log(0.1/g[i])/math.log(0.1/last[1]); pts[i]=(I0*(last[0]/I0)**f,g[i])
    anc={0,g.index(10),g.index(0.1)}
    if last:
        k=g.index(last[1]); anc|=set(range(k,len(g)))
    else:
        anc|={i for i,t in enumerate(g) if t<=0.1}
    p=smooth(pts,anc,ALPHA)
    out=[(float(fmt4(I)),t) for I,t in p]
    # exact figures and listed points
    for i,t in enumerate(g):
        if t==10: out[i]=(I10,10)
        if t==0.1: out[i]=(I01,0.1)
    if first: out[0]=first
    if last: out[g.index(last[1])]=last
    return out
res={}
for typ,tab in (('K',K),('T',T)):
    for n,(ILn,ILx,I10n,I10x,I01n,I01x) in tab.items():
        for suf,(a,b,c) in (('',(ILn,I10n,I01n)),('-max',(ILx,I10x,I01x))):
            nm=n+suf
            if nm in LISTED: continue
            res[nm]=build(typ,nm,a,b,c)
def entry(nm,pts):
    items=['{%s, %s}'%(fmt4(I),fmt4(t)) for I,t in pts]
    lines=[]; cur='       {'
    for i,it in enumerate(items):
        piece=it+(', ' if i<len(items)-1 else '')
        if len(cur)+len(piece.rstrip())>99:
            lines.append(cur.rstrip()); cur='        '
        cur+=piece
    lines.append(cur+'}},')
    return '      {"%s",\n%s'%(nm,'\n'.join(lines))
if __name__=='__main__':
    for path in sys.argv[1:]:
        src=open(path).read()
        def rep(m):
            nm=m.group(1)
            return entry(nm,res[nm]) if nm in res else m.group(0)
        src=re.sub(r'      \{"([^"]+)",\n(?:.*\n)*?.*\}\},',rep,src)
        open(path,'w').write(src)
    for nm,p in res.items():
        r,at=maxratio(p); print(nm,len(p),"%.2f@%s"%(r,at))
